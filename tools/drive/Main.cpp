// tavrel-drive: runs the ruler on the headless desktop from a command
// script, the file named as the only argument or else standard input.
#include "app/Program.h"
#include "tools/drive/DriveEngine.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: tavrel-drive [SCRIPT]\n";
    return 1;
  }
  std::ifstream File;
  if (argc == 2) {
    File.open(argv[1]);
    if (!File) {
      std::cerr << "tavrel-drive: cannot read " << argv[1] << "\n";
      return 1;
    }
  }
  TDriveEngine Engine(std::cout);
  return Engine.Run(argc == 2 ? static_cast<std::istream&>(File) : std::cin, RunTavrel);
}
