#include "LogDecoder.h"

#include "CharacterTail.h"

namespace tessellon {

namespace {

std::wstring wideOf(UINT codePage, const std::string& bytes) {
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, &text[0], length);
    return text;
}

} // namespace

LogDecoder::LogDecoder(UINT codePage) : codePage(codePage), maxCharSize(1) {
    CPINFO info;
    if (GetCPInfo(codePage, &info))
        maxCharSize = info.MaxCharSize;
    if (codePage == CP_ACP && GetACP() == CP_UTF8)
        this->codePage = CP_UTF8;
}

std::wstring LogDecoder::decode(const std::string& chunk) {
    pending += chunk;
    std::size_t heldBack = 0;
    if (codePage == CP_UTF8)
        heldBack = wizard::incompleteUtf8Tail(pending);
    else if (maxCharSize == 2)
        heldBack = wizard::incompleteDoubleByteTail(
            pending, [this](unsigned char byte) { return IsDBCSLeadByteEx(codePage, byte); });
    const std::string whole = pending.substr(0, pending.size() - heldBack);
    pending.erase(0, whole.size());
    return wideOf(codePage, whole);
}

std::wstring wideOfAnsi(const std::string& bytes) {
    return wideOf(CP_ACP, bytes);
}

std::wstring LogDecoder::finish() {
    std::string rest;
    rest.swap(pending);
    return wideOf(codePage, rest);
}

} // namespace tessellon
