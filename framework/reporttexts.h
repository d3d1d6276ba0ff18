#pragma once

// Field texts travel to the calculations and into reports as Windows-1252 bytes; the screen
// shows them as Unicode.

#include <QString>

#include <string>

std::string ToWindows1252(const QString& text);
QString FromWindows1252(const std::string& text);
