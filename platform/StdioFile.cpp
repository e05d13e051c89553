#include "StdioFile.h"

#include <cstdio>

namespace platform {

namespace {

class FileSource : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file(file) {}
    ~FileSource() override { std::fclose(file); }
    std::size_t read(char* buffer, std::size_t size) override {
        return std::fread(buffer, 1, size, file);
    }
    bool failed() const override { return std::ferror(file) != 0; }

private:
    std::FILE* file;
};

class FileSink : public ByteSink {
public:
    explicit FileSink(std::FILE* file) : file(file) {}
    ~FileSink() override { close(); }
    bool write(const char* data, std::size_t size) override {
        return file && std::fwrite(data, 1, size, file) == size;
    }
    bool flush() override { return file && std::fflush(file) == 0; }
    bool close() override {
        if (!file)
            return false;
        // Flushed on its own first: some C runtimes (Wine's msvcrt) drop the failure of
        // the flush inside fclose and report the close alone.
        const bool flushed = std::fflush(file) == 0;
        const bool closed = std::fclose(file) == 0;
        file = nullptr;
        return flushed && closed;
    }

private:
    std::FILE* file;
};

} // namespace

std::unique_ptr<ByteSource> openStdioSource(const std::string& hostPath) {
    // Binary mode on every host: the line-end rules live in TextFile alone.
    std::FILE* file = std::fopen(hostPath.c_str(), "rb");
    if (!file)
        return nullptr;
    return std::make_unique<FileSource>(file);
}

std::unique_ptr<ByteSink> openStdioSink(const std::string& hostPath) {
    std::FILE* file = std::fopen(hostPath.c_str(), "wb");
    if (!file)
        return nullptr;
    return std::make_unique<FileSink>(file);
}

} // namespace platform
