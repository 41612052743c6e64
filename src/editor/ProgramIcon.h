#pragma once

#include <QPixmap>

// The program's picture, drawn rather than loaded so that the program needs no picture files.
QPixmap ProgramIcon(int size);
