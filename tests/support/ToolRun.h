// Runs a built command-line tool with arguments through the shell and
// collects what it printed (standard output and error together) and its
// exit status, for the tests of the build tools.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

struct TToolRun {
  int Status; // -1 when the tool could not be started or did not exit
  std::string Output;
};

inline std::string ToolQuote(const std::string& S) { return "'" + S + "'"; }

inline TToolRun RunTool(const std::string& Tool, const std::string& Args) {
  std::string Command = ToolQuote(Tool) + " " + Args + " 2>&1";
  TToolRun R{-1, {}};
  FILE* Pipe = popen(Command.c_str(), "r");
  if (!Pipe) return R;
  std::array<char, 512> Buf;
  std::size_t N;
  while ((N = fread(Buf.data(), 1, Buf.size(), Pipe)) > 0) R.Output.append(Buf.data(), N);
  int Raw = pclose(Pipe);
  R.Status = WIFEXITED(Raw) ? WEXITSTATUS(Raw) : -1;
  return R;
}
