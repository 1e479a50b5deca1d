#pragma once

#include <QString>

#include "FileProblem.h"

class QWidget;

// A file problem the session reported, put into words of the player's language: what failed,
// why and what follows, in one box.
namespace problembox {

struct Words {
    QString title;
    QString text;
};

Words words(const FileProblem& problem, int language);
// The box itself, through errorbox.
void show(QWidget* parent, const FileProblem& problem, int language);

} // namespace problembox
