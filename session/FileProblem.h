#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// Something that went wrong with one of the player's files, as a value: which file, what
// failed, why (the errno) and so what follows. The window turns it into one box in the player's
// language; the session never shows anything.
struct FileProblem {
    enum class Kind {
        SettingsNotRead,      // paths[0], error: nothing of it applied
        SettingsNotWritten,   // paths[0], error: the choices of this run are not kept
        StatisticsNotWritten, // paths[0], error: the events wait for the next write that succeeds
        StatisticsSetAside,   // paths[0] where the damaged file is kept; counting restarts at zero
        GamesUncounted,       // count games the statistics never got, as the program ends
        GameNotWritten,       // paths[0], error: the game cannot be resumed after a crash
        GamesSetAside,        // paths: damaged game files, kept there, counted abandoned
        FoldersSetAside,      // paths: folders that stood where game files go, moved there
        ViewSetAside,         // paths[0] where the damaged view file is kept
        ViewNotWritten,       // paths[0], error: the choice holds for this run only
        SizeNotWritten,       // paths[0], error: the size stays as it is
        NotRestarted,         // error: the program could not start again at the new size
    };

    Kind kind = Kind::SettingsNotRead;
    QStringList paths;
    int error = 0;
    int count = 0;
};

Q_DECLARE_METATYPE(FileProblem)
