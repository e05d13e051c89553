#include "OutputFile.h"

#include "Errors.h"
#include "Host.h"

bool OutputFile::create(platform::Host& host, const std::string& path,
                        const std::function<void(OutputFile&)>& fill, IfUnopened ifUnopened) {
    auto writer = host.openTextForWriting(path);
    if (!writer) {
        if (ifUnopened == IfUnopened::Skip)
            return false;
        throw IOERROR(2, path);
    }
    OutputFile file(path, std::move(writer));
    fill(file);
    // The close hands over the last bytes: its failure is a failure to write the file.
    file.check(file.writer->close());
    return true;
}

OutputFile::OutputFile(std::string path, std::unique_ptr<platform::TextWriter> writer)
    : path(std::move(path)), writer(std::move(writer)) {}

OutputFile::~OutputFile() = default;

void OutputFile::write(std::string_view text) {
    check(writer->write(text));
}

void OutputFile::writeLine(std::string_view text) {
    check(writer->writeLine(text));
}

void OutputFile::flush() {
    check(writer->flush());
}

void OutputFile::check(bool succeeded) const {
    if (!succeeded)
        throw IOERROR(2, path);
}
