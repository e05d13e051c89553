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

/// compile_commands.json in the destination folder: the database's file until the user names
/// another.
std::string defaultDatabaseFileOf(const std::string& destination);

/// The compilation database the run writes: the file the user named, else the default; empty
/// when its box is not checked.
std::string compilationDatabaseOf(const WizardFields& fields);

/// The "-cdbconfig" value: the configuration box's text as typed or picked; empty for the
/// workspace's own (its first choice, or nothing) and when the database box is not checked.
std::string databaseConfigurationOf(const WizardFields& fields);

/// The summary the last page shows when the user leaves the extensions page.
std::string summaryOf(const WizardFields& fields, const std::string& extensionValue);

/// The converter's arguments after its program name: the three paths, "-pn" and the name,
/// then each option whose value is not empty; the database as "-cdbappend" when its other
/// entries are kept, else "-cdb". Texts are passed exactly as they stand.
std::vector<std::string> converterArguments(const WizardFields& fields,
                                            const std::string& extensionValue);

} // namespace wizard
