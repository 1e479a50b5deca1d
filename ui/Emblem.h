#pragma once

#include <QIcon>

// The program's emblem, shared by the deal button and every window.
QIcon emblem();
