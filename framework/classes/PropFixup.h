// Component references met while reading form definitions.
//
// A reference ("PopupMenu = Menu1", "PopupMenu = DM1.Menu1") cannot be
// set when it is read: the component it names may come later in the
// stream or live in another top-level object that does not exist yet.
// The reader records a TPropFixup per reference and resolves them when
// the root has been read (ResolveLocalReferences). Those that name
// another top-level object and find nothing move to the process-wide
// pending list, which every later read of a root tries again
// (ResolvePendingReferences) until the object appears.
//
// A pending reference must not outlive the object whose property it
// would set: a component that had one recorded is marked csFixups and
// drops its references when it is destroyed (RemoveFixupReferences).
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TComponent;
class TPersistent;
class TPropInfo;

struct TPropFixup {
  // The object whose property refers.
  TPersistent* Instance = nullptr;
  // The root of the read that met the reference.
  TComponent* InstanceRoot = nullptr;
  const TPropInfo* PropInfo = nullptr;
  // Empty, or the top-level object's name once the reference is global.
  std::string RootName;
  // The reference text; the path inside RootName once global.
  std::string Name;
};

// Finds a top-level object (a form, a data module) by name.
using TTopLevelFinder = TComponent* (*)(std::string_view Name);

// Start's component along Path, whose parts are separated by "." or "->";
// a part "Owner" stays at the current component. Null for an empty path
// or a part that names nothing (names compare ignoring ASCII case).
TComponent* FindComponentByPath(TComponent* Start, std::string_view Path);

// Resolves the fixups of one read, in order: found ones are set, a dotted
// name that finds nothing becomes pending under the text before the first
// dot, any other unfound name sets nil.
void ResolveLocalReferences(std::vector<TPropFixup>& Fixups);

// Tries every pending reference: one whose top-level object Find finds is
// set (nil when the path inside matches nothing) and removed; one whose
// object is still missing stays while its property is nil, and is
// dropped when something else has set the property meanwhile.
void ResolvePendingReferences(TTopLevelFinder Find);

// Drops every pending reference recorded by a read of Root.
void RemovePendingReferencesOf(TComponent* Root);
// Drops every pending reference whose instance or root is Component.
void RemoveFixupReferences(TComponent* Component);
int PendingReferenceCount();
