#pragma once
// The identifier checks that the enumerated, float and set domain dialogs share: present, a
// letter first, cleaned of other characters, not renaming a domain that variables use, not
// another domain's id, not a keyword.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"

#include <string>

namespace TavDialogs {

// Steps 2 to 4: "A Domain ID is required", "Please start ID's with a letter", "Illegal
// characters removed from ID" (the id then holds the cleaned text).
bool CheckDomainIdText(std::string& id, DialogMessages& messages);

// Steps 6 and 7. In edit mode an id that differs from `originalID` (case counts) is refused
// when variables use the original ("Can't change this Domain ID.\n It is used by\n" and each
// variable's id with a line feed; the id is put back); a new or changed id that names a domain
// is refused with "This ID is already used - Please change". `reset` tells whether the id was
// put back.
bool CheckDomainIdUse(std::string& id, const std::string& originalID, DialogMode mode,
                      const ProblemRefs& refs, DialogMessages& messages, bool* reset = nullptr);

// Step 9: "Please Change Domain ID \n <id> is a keyword".
bool CheckDomainIdKeyword(const std::string& id, const ProblemRefs& refs, DialogMessages& messages);

// The refusal of a rename: the message listing the variables of the original id, or empty
// when none uses it.
std::string DomainInUseMessage(const std::string& originalID, const ProblemRefs& refs);

} // namespace TavDialogs
