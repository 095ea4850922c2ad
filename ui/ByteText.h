// The record holds byte strings in the locale's encoding; the widgets hold text.
#pragma once

#include <QString>

#include <string>

inline std::string ToBytes(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

inline QString FromBytes(const std::string &bytes)
{
    return QString::fromLocal8Bit(bytes.data(), qsizetype(bytes.size()));
}
