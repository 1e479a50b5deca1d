#pragma once

#include <QString>
#include <QTranslator>

#include <functional>

class QWidget;

// One language's catalog of texts, built into the program from translations/. English, the
// language the texts are written in, has none: its texts are the sources themselves.
class Catalog {
public:
    explicit Catalog(int language);
    Catalog(const Catalog&) = delete;
    Catalog& operator=(const Catalog&) = delete;

    // As QCoreApplication::translate, in this catalog's language; the source where it has no
    // translation.
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const;

private:
    QTranslator m_translator;
    bool m_useInstalled = false;
};

namespace translation {

// Where the catalog of a language lies among the program's resources; empty for English.
QString catalogPath(int language);

// Makes a language's catalog the program's: every window is sent a LanguageChange event, and
// receives it before this returns, so that a switch has rewritten every text when it goes on.
void install(int language);

// The language of the installed catalog; French, the game's first language, before any.
int installed();

// Calls `apply` with the installed catalog's language each time `window` is told the language
// changed: how each window rewrites its own texts.
void follow(QWidget* window, std::function<void(int)> apply);

} // namespace translation
