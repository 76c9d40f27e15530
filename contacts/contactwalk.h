#pragma once
// The walk over a contact folder: which nodes the tree gets, in which order, which number
// each contact node points at, and when the read counts as failed. No Windows here.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "contacts/contactsource.h"

// Reads folder and all its subfolders depth first under hParent: each subfolder (in the
// collection's order) as a folder node followed at once by its own subtree, then the
// folder's contacts that have a mobile number as "full name - number" nodes, each number
// appended to phoneNumbers and its index stored as the node's data. Items that are no
// contact are passed over. False when a step the read relies on failed or the store was
// lost; what was added before stays. Iterative: any depth of nesting is safe.
bool WalkContactFolder(IContactTree& tree, std::vector<std::string>& phoneNumbers, ContactTreeItem hParent,
                       std::unique_ptr<IContactFolder> ptrFolder);

// True for a COM result that means the server or the link to it is gone (the RPC
// failures, such as 0x800706BA "server unavailable" and 0x800706BE "call failed"), as
// opposed to an ordinary refusal of one call.
bool IsConnectionLost(std::uint32_t nResult);
