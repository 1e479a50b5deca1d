#include "common/Catalog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "Languages.h"

namespace {

// The installed catalog is a child of the application, found by its name: its language is
// kept on it rather than in a variable of ours.
constexpr const char* InstalledName = "vestorine-catalog";
constexpr const char* LanguageProperty = "vestorineLanguage";

class LanguageFollower : public QObject {
public:
    LanguageFollower(QWidget* window, std::function<void(int)> apply)
        : QObject(window)
        , m_apply(std::move(apply)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange && watched == parent())
            m_apply(translation::installed());
        return false;
    }

private:
    std::function<void(int)> m_apply;
};

QTranslator* installedTranslator() {
    return qApp ? qApp->findChild<QTranslator*>(QLatin1String(InstalledName),
                                                Qt::FindDirectChildrenOnly)
                : nullptr;
}

} // namespace

Catalog::Catalog(int language) {
    // The program's own catalog serves when it is this language's; another is loaded for the
    // moment, as for a box shown before the first switch.
    const QTranslator* installed = installedTranslator();
    m_useInstalled = installed && installed->property(LanguageProperty).toInt() == language;
    const QString path = translation::catalogPath(language);
    if (!m_useInstalled && !path.isEmpty() && !m_translator.load(path))
        qWarning("vestorine: the catalog %s is missing", qPrintable(path));
}

QString Catalog::translate(const char* context, const char* source, const char* disambiguation,
                           int n) const {
    if (m_useInstalled)
        return QCoreApplication::translate(context, source, disambiguation, n);
    const QString translated = m_translator.translate(context, source, disambiguation, n);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

namespace translation {

QString catalogPath(int language) {
    const vestorine::LanguageInfo& info = vestorine::language(language);
    if (info.code == vestorine::English)
        return {};
    return QStringLiteral(":/i18n/vestorine_%1.qm")
        .arg(QLatin1String(info.catalog.data(), qsizetype(info.catalog.size())));
}

void install(int language) {
    if (QTranslator* old = installedTranslator()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* translator = new QTranslator(qApp);
    translator->setObjectName(QLatin1String(InstalledName));
    translator->setProperty(LanguageProperty, language);
    const QString path = catalogPath(language);
    if (!path.isEmpty() && translator->load(path)) {
        QCoreApplication::installTranslator(translator);
    } else {
        if (!path.isEmpty())
            qWarning("vestorine: the catalog %s is missing", qPrintable(path));
        // English, or a missing catalog: the windows still rewrite their texts.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(qApp, &change);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

int installed() {
    const QTranslator* translator = installedTranslator();
    return translator ? translator->property(LanguageProperty).toInt() : vestorine::French;
}

void follow(QWidget* window, std::function<void(int)> apply) {
    new LanguageFollower(window, std::move(apply));
}

} // namespace translation
