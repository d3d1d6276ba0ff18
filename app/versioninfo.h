#pragma once

// The program's version texts. They stand in "tavo.version" beside the program, one
// "KEY=VALUE" line each, under the keys the About box asks for
// ("\StringFileInfo\040904B0\ProductName" and the like); the build writes the file.

#include <QString>

namespace VersionKeys {
inline const QString kProductName = QStringLiteral("\\StringFileInfo\\040904B0\\ProductName");
inline const QString kProductVersion = QStringLiteral("\\StringFileInfo\\040904B0\\ProductVersion");
inline const QString kCompanyName = QStringLiteral("\\StringFileInfo\\040904B0\\CompanyName");
inline const QString kLegalCopyright = QStringLiteral("\\StringFileInfo\\040904B0\\LegalCopyRight");
}  // namespace VersionKeys

inline const QString kVersionFileName = QStringLiteral("tavo.version");

// The value under `key` in the version text `text`; empty when it has none.
QString VersionValue(const QString& text, const QString& key);
