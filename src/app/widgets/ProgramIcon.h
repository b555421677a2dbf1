#pragma once
#include <QIcon>

// The program's icon in every size drawn, so window managers and dense screens pick a sharp one.
QIcon ProgramIcon();
