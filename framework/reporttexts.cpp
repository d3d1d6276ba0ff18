#include "reporttexts.h"

#include "windows1252.h"

std::string ToWindows1252(const QString& text)
{
    return tavo::Utf8ToWindows1252(text.toStdString());
}

QString FromWindows1252(const std::string& text)
{
    return QString::fromStdString(tavo::Windows1252ToUtf8(text));
}
