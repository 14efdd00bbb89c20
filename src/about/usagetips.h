#pragma once

#include <QStringList>

// The short help file the About window writes and opens.
class UsageTips
{
public:
    static QStringList lines();
    // Writes the tips into the working folder and opens them; false (with
    // the reason) when they cannot be written, and then nothing is opened.
    static bool writeAndOpen(QString *error);
};
