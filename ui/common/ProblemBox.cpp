#include "common/ProblemBox.h"

#include <QLocale>

#include "common/ErrorBox.h"
#include "common/WindowTexts.h"

namespace problembox {

namespace {

using Kind = FileProblem::Kind;

QString first(const FileProblem& problem) {
    return problem.paths.value(0);
}

// What failed, why and what follows, in the language's words.
QString explanation(const FileProblem& problem, int language) {
    const texts::FileTexts& files = texts::files(language);
    const QString why = texts::cause(language, problem.error);
    switch (problem.kind) {
    case Kind::SettingsNotRead:
        return texts::text(files.settingsNotRead).arg(first(problem), why);
    case Kind::SettingsNotWritten:
        return texts::text(files.settingsNotWritten).arg(first(problem), why);
    case Kind::StatisticsNotWritten:
        return texts::text(files.statisticsNotWritten).arg(why);
    case Kind::StatisticsSetAside:
        return texts::text(files.statisticsSetAside).arg(first(problem));
    case Kind::GamesUncounted:
        return texts::text(files.gamesUncounted)
            .arg(texts::locale(language).toString(problem.count), first(problem));
    case Kind::GameNotWritten:
        return texts::text(files.gameNotWritten).arg(first(problem), why);
    case Kind::GamesSetAside:
        return texts::text(files.gamesSetAside).arg(problem.paths.join(u'\n'));
    case Kind::FoldersSetAside:
        return texts::text(files.foldersSetAside).arg(problem.paths.join(u'\n'));
    case Kind::ViewSetAside:
        return texts::text(texts::view(language).setAside).arg(first(problem));
    case Kind::ViewNotWritten:
        return texts::text(texts::view(language).notWritten).arg(first(problem));
    case Kind::SizeNotWritten:
        return texts::text(texts::tableSize(language).notWritten).arg(first(problem));
    case Kind::NotRestarted:
        return texts::text(texts::tableSize(language).notRestarted);
    }
    return {};
}

} // namespace

Words words(const FileProblem& problem, int language) {
    const QString text = explanation(problem, language);
    const texts::ErrorTexts& errors = texts::errors();
    switch (problem.kind) {
    case Kind::SettingsNotRead:
        return {texts::text(errors.readTitle), text};
    // The settings-write box keeps its title and first line in every language.
    case Kind::SettingsNotWritten:
        return {texts::text(errors.title), texts::text(errors.settingsNotWritten) + u'\n' + text};
    case Kind::StatisticsNotWritten:
        return {texts::text(texts::files(language).title),
                texts::text(errors.statisticsNotWritten).arg(first(problem)) + u'\n' + text};
    case Kind::StatisticsSetAside:
        return {texts::text(texts::files(language).title),
                texts::text(errors.statisticsNotWritten).section(u'\n', 0, 0) + u'\n' + text};
    default:
        return {texts::text(texts::files(language).title), text};
    }
}

void show(QWidget* parent, const FileProblem& problem, int language) {
    const Words box = words(problem, language);
    errorbox::show(parent, box.title, box.text);
}

} // namespace problembox
