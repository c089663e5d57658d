// Loading forms and data modules from their definitions.
//
// A form or data module class finds its definition as an RCDATA resource
// named after the class name in upper case ("TFORM1" for TForm1). The
// constructors of TCustomForm and TDataModule call LoadFormDefinition at
// the start of AfterConstruction, before OnCreate, for every class but
// TForm/TDataModule themselves; a class made with the CreateNew tag skips
// it (a form built by code, as in tests).
//
// References into other top-level objects wait in the pending list of
// PropFixup.h and are resolved at the end of each root's read. The
// components' Loaded notifications of one chain of definitions are
// collected in the global loading list and sent once the whole chain has
// been read, root first, then in read order.
//
// The name-space lock is a multi-reader, single-writer lock around every
// read of a definition and every form's and data module's construction.
// It may be taken again by the thread that holds it (a form created while
// another one loads, LoadFormDefinition calling ReadFormStream).
#pragma once

#include <string_view>
#include <vector>

class TClass;
class TComponent;
class TReader;

// Picks the constructor that makes a form or data module without reading
// its definition.
struct TCreateNew {
  explicit TCreateNew() = default;
};
inline constexpr TCreateNew CreateNew{};

// Reads the definitions of Instance's class chain, from the class just
// below RootAncestor down to Instance's own. False when no class of the
// chain has one.
bool LoadFormDefinition(TComponent* Instance, const TClass& RootAncestor);
// Reads one definition (signature, then the root entry) into Root and
// returns Root. On failure the references the read left pending are
// dropped and the exception passes on.
TComponent* ReadFormStream(TReader& Reader, TComponent* Root);
// The form named Name (ignoring ASCII case; inline ones skipped) among
// Screen's forms, else such a data module, else null.
TComponent* FindTopLevelComponent(std::string_view Name);

// The global loading list: Begin opens a level, Notify sends Loaded to
// its components in order, End closes it.
void BeginGlobalLoading();
void NotifyGlobalLoading();
void EndGlobalLoading();
// The open level, or null.
std::vector<TComponent*>* GlobalLoadingList();

// Holds the name-space lock for writing for as long as it lives.
class TNameSpaceWriteLock {
public:
  TNameSpaceWriteLock();
  ~TNameSpaceWriteLock();
  TNameSpaceWriteLock(const TNameSpaceWriteLock&) = delete;
  TNameSpaceWriteLock& operator=(const TNameSpaceWriteLock&) = delete;
};

// Holds it for reading (or nothing more, when this thread already holds
// it in either way).
class TNameSpaceReadLock {
public:
  TNameSpaceReadLock();
  ~TNameSpaceReadLock();
  TNameSpaceReadLock(const TNameSpaceReadLock&) = delete;
  TNameSpaceReadLock& operator=(const TNameSpaceReadLock&) = delete;
};
