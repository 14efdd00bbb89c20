// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Built only by the test beside it: a warning here must stop the build.
int probe()
{
    int unused = 0;
    return 1;
}
