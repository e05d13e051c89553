#include "Settings.h"

#include <QLineEdit>
#include <QStringList>

#include "Tessellon.h"

namespace {

/// The key lines, in the order in which they are written, and the field each one names.
struct Key {
    const char* line;
    std::optional<QString> RememberedFields::*field;
};

constexpr Key keys[] = {
    {"CVI Installation Path:", &RememberedFields::installFolder},
    {"Message Personality:", &RememberedFields::messagePersonality},
    {"Analyser Personality:", &RememberedFields::analyserPersonality},
    {"Compiler Personality:", &RememberedFields::compilerPersonality},
};

/// The lines of text, each ended by a line feed, a carriage return or both; a last line
/// without an end still counts, an end at the very end adds no empty line.
QStringList splitLines(const QString& text) {
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r')) {
            line += c;
            continue;
        }
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        lines << line;
        line.clear();
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

/// Every byte the source holds.
QByteArray readAll(platform::ByteSource& source) {
    QByteArray bytes;
    char buffer[4096];
    while (const std::size_t got = source.read(buffer, sizeof buffer))
        bytes.append(buffer, static_cast<qsizetype>(got));
    return bytes;
}

} // namespace

RememberedFields parseSettings(const QByteArray& bytes) {
    // Latin-1 gives every byte a character of its own, so no value loses a byte.
    const QStringList lines = splitLines(QString::fromLatin1(bytes));
    RememberedFields fields;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const Key& key : keys) {
            if (lines[i] == QLatin1String(key.line)) {
                // The value line goes with its key, even when it reads like a key itself.
                ++i;
                fields.*key.field = i < lines.size() ? lines[i] : QString();
                break;
            }
        }
    }
    return fields;
}

QByteArray formatSettings(const RememberedFields& fields) {
    QByteArray bytes;
    for (const Key& key : keys) {
        const std::optional<QString>& value = fields.*key.field;
        if (key.field != &RememberedFields::installFolder && (!value || value->isEmpty()))
            continue;
        bytes += key.line;
        bytes += '\n';
        bytes += value.value_or(QString()).toLatin1();
        bytes += "\n\n";
    }
    return bytes;
}

void Tessellon::loadSettings() {
    const std::unique_ptr<platform::ByteSource> source = host->openForReading(settingsFileName);
    if (!source)
        return;
    const RememberedFields fields = parseSettings(readAll(*source));
    const std::pair<const std::optional<QString>&, QLineEdit*> loaded[] = {
        {fields.installFolder, CVIInstallEdit},
        {fields.messagePersonality, MsgPersonEdit},
        {fields.analyserPersonality, AnalPersonEdit},
        {fields.compilerPersonality, CmpPersonEdit}};
    for (const auto& [value, field] : loaded) {
        if (value)
            field->setText(*value);
    }
    // A loaded value equal to the field's text changes nothing and so would not run the rule.
    if (fields.installFolder)
        Page0LineEdit_textchanged(CVIInstallEdit->text());
    if (fields.messagePersonality || fields.analyserPersonality || fields.compilerPersonality)
        Page1LineEdit_textchanged(MsgPersonEdit->text());
}

void Tessellon::saveSettings() {
    const std::unique_ptr<platform::ByteSink> sink = host->openForWriting(settingsFileName);
    if (!sink)
        return;
    const QByteArray bytes = formatSettings({CVIInstallEdit->text(), MsgPersonEdit->text(),
                                             AnalPersonEdit->text(), CmpPersonEdit->text()});
    sink->write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    sink->close();
}
