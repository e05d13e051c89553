#pragma once

#include <string>

/// A small conversion for the failure tests: C:\ws\all.cws lists main\main.prj and
/// drv\drv.prj (left empty by the tests).
inline const std::string failingInputsWorkspace = "[Workspace Header]\r\n"
                                                  "Project 0001 = \"main/main.prj\"\r\n"
                                                  "Project 0002 = \"drv/drv.prj\"\r\n";

/// main\main.prj: main.c in the folder Source Files, and the definitions ONE and TWO
/// split over numbered keys, so that the reader looks ahead across them.
inline const std::string failingInputsMainProject = "[File 0001]\r\n"
                                                    "File Type = \"CSource\"\r\n"
                                                    "Path Is Rel = True\r\n"
                                                    "Path Rel To = \"Project\"\r\n"
                                                    "Path Rel Path = \"main.c\"\r\n"
                                                    "Folder = \"Source Files\"\r\n"
                                                    "\r\n"
                                                    "[Compiler Options]\r\n"
                                                    "Compiler Defines Line0001 = \"/DONE \"\r\n"
                                                    "Compiler Defines Line0002 = \"/DTWO\"\r\n";
