#pragma once
// Access rights of single files.
#include <string>

// Adds to the file's access list an entry that lets the group Everyone
// (S-1-1-0) read, write, run and delete the file ("modify"), keeping every
// other entry. Nothing is granted on folders, so no one gains the right to
// replace the program or add files beside it. False when the file does not
// exist or the system refused.
bool GrantModifyToEveryone(const std::wstring& path);
