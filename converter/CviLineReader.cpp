#include "CviLineReader.h"

CviLineReader::CviLineReader(std::unique_ptr<platform::TextReader> reader)
    : reader(std::move(reader)) {}

bool CviLineReader::readLine(std::string& line) { return reader->readLine(line); }
