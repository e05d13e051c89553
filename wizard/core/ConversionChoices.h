#pragma once

#include <string>
#include <vector>

#include "WizardFields.h"

namespace wizard {

/// The program that Finish starts, found by the system's executable search.
inline constexpr char converterProgram[] = "Quorvel";

/// The "-ext" value: the item of each checked box in a fixed order, then the custom text as
/// typed, less one final comma.
std::string extensionValueOf(const WizardFields& fields);

/// The compilation database the run asks for: compile_commands.json in the destination
/// folder; empty when its box is not checked.
std::string compilationDatabaseOf(const WizardFields& fields);

/// The summary the last page shows when the user leaves the extensions page.
std::string summaryOf(const WizardFields& fields, const std::string& extensionValue);

/// The converter's arguments after its program name: the three paths, "-pn" and the name,
/// then each option whose value is not empty. Texts are passed exactly as they stand.
std::vector<std::string> converterArguments(const WizardFields& fields,
                                            const std::string& extensionValue);

} // namespace wizard
