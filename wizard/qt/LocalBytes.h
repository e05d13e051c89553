#pragma once

#include <QByteArray>
#include <QString>
#include <string>

/// A text as the bytes of the system's 8-bit encoding, the form the wizard's core, the host's
/// file names and Quorvel's arguments take.
inline std::string localBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

/// The text that bytes of the system's 8-bit encoding spell.
inline QString fromLocalBytes(const std::string& bytes) {
    return QString::fromLocal8Bit(QByteArray::fromStdString(bytes));
}
