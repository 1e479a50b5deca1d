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
    const texts::FileTexts files = texts::files(language);
    const QString why = texts::cause(language, problem.error);
    switch (problem.kind) {
    case Kind::SettingsNotRead:
        return files.settingsNotRead.arg(first(problem), why);
    case Kind::SettingsNotWritten:
        return files.settingsNotWritten.arg(first(problem), why);
    case Kind::StatisticsNotWritten:
        return files.statisticsNotWritten.arg(why);
    case Kind::StatisticsSetAside:
        return files.statisticsSetAside.arg(first(problem));
    case Kind::GamesUncounted:
        return files.gamesUncounted.arg(texts::locale(language).toString(problem.count),
                                        first(problem));
    case Kind::GameNotWritten:
        return files.gameNotWritten.arg(first(problem), why);
    case Kind::GamesSetAside:
        return files.gamesSetAside.arg(problem.paths.join(u'\n'));
    case Kind::FoldersSetAside:
        return files.foldersSetAside.arg(problem.paths.join(u'\n'));
    case Kind::ViewSetAside:
        return texts::view(language).setAside.arg(first(problem));
    case Kind::ViewNotWritten:
        return texts::view(language).notWritten.arg(first(problem));
    case Kind::SizeNotWritten:
        return texts::tableSize(language).notWritten.arg(first(problem));
    case Kind::NotRestarted:
        return texts::tableSize(language).notRestarted;
    }
    return {};
}

} // namespace

Words words(const FileProblem& problem, int language) {
    const QString text = explanation(problem, language);
    const texts::ErrorTexts errors = texts::errors(language);
    switch (problem.kind) {
    case Kind::SettingsNotRead:
        return {errors.readTitle, text};
    // The settings-write box keeps its title and first line in every language.
    case Kind::SettingsNotWritten:
        return {errors.title, errors.settingsNotWritten + u'\n' + text};
    case Kind::StatisticsNotWritten:
        return {texts::files(language).title,
                errors.statisticsNotWritten.arg(first(problem)) + u'\n' + text};
    case Kind::StatisticsSetAside:
        return {texts::files(language).title,
                errors.statisticsNotWritten.section(u'\n', 0, 0) + u'\n' + text};
    default:
        return {texts::files(language).title, text};
    }
}

void show(QWidget* parent, const FileProblem& problem, int language) {
    const Words box = words(problem, language);
    errorbox::show(parent, box.title, box.text, texts::errors(language).ok);
}

} // namespace problembox
