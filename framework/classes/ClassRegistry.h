// The process-wide list of classes that the form reader may create by
// name when the root class has no published field of that class.
#pragma once

#include <initializer_list>
#include <string_view>

class TClass;

// Registering a class twice, or a second class of the same name, keeps
// the first.
void RegisterClass(const TClass& Class);
void RegisterClasses(std::initializer_list<const TClass*> Classes);
void UnRegisterClass(const TClass& Class);
// Null when no registered class has the name (ASCII case ignored).
const TClass* GetClass(std::string_view Name);
// Throws EClassNotFound "Class %s not found".
const TClass& FindClass(std::string_view Name);
