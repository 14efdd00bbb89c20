#pragma once

#include <QString>

// What the program asks of the desktop: opening documents, the clipboard.
class Desktop
{
public:
    // Opens the file with the program the desktop associates with its type;
    // does not wait for that program.
    static bool openDocument(const QString &path);
    static void copyText(const QString &text);
};
