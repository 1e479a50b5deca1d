#include "Unit1.h"

#include "GameSession.h"
#include "GameState.h"
#include "common/TableScale.h"
#include "common/WindowTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstring>
#include <functional>

namespace {

// Runs `then` once the window is first drawn on its screen: only then does the window manager's
// frame around it have its size.
class FirstExposure : public QObject {
public:
    FirstExposure(QWindow* window, std::function<void()> then)
        : QObject(window)
        , m_then(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            // After the first picture: a restart from here never interrupts a paint.
            QTimer::singleShot(0, watched, m_then);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_then;
};

} // namespace

void TForm1::createTableSizeMenu() {
    MenuTableSize = MenuView->addMenu(QString());
    MenuTableSize->setObjectName(QStringLiteral("MenuTableSize"));
    // Only a size too large for the screen has a tip: why it is greyed.
    MenuTableSize->setToolTipsVisible(true);
    auto* sizes = new QActionGroup(this);
    for (int percent : GameSession::tableSizes()) {
        auto* action = new QAction(MenuTableSize);
        action->setObjectName(QStringLiteral("MenuTableSize%1").arg(percent));
        action->setCheckable(true);
        action->setData(percent);
        sizes->addAction(action);
        MenuTableSize->addAction(action);
        m_tableSizes.push_back(action);
        connect(action, &QAction::triggered, this,
                [this, percent] { outsideDeal([this, percent] { tableSizeChosen(percent); }); });
    }
    // Another copy may have changed the file, and the window may have gone to another screen:
    // both are looked at again each time the menu opens.
    connect(MenuView, &QMenu::aboutToShow, this, &TForm1::checkTableSize);
    applyTableSizeLanguage(vestorine::French);
}

void TForm1::checkTableSize() {
    offerTableSizes(m_game.Language());
}

void TForm1::applyTableSizeLanguage(int language) {
    MenuTableSize->setTitle(texts::tableSize(language).menu);
    offerTableSizes(language);
}

// The kept size is checked, or the one in use when the kept one did not fit. A size whose window
// would not fit the screen is greyed and says why, in its name too: a keyboard never shows a tip.
void TForm1::offerTableSizes(int language) {
    const texts::TableSizeTexts words = texts::tableSize(language);
    const int inUse = tablescale::sizeInUse();
    const int checked = tablescale::keptTooLarge() != 0 ? inUse : m_session->tableSize();
    const tablescale::Placement here = placement();
    for (QAction* action : m_tableSizes) {
        const int percent = action->data().toInt();
        const tablescale::Fit fit = tablescale::fitAt(here, percent);
        // Under a factor of the player's own, every size draws alike.
        const bool offered = inUse == 0 || percent == inUse || fit.fits();
        action->setChecked(percent == checked);
        action->setEnabled(offered);
        action->setText((offered ? words.percent : words.tooLarge).arg(percent));
        action->setToolTip(offered ? QString()
                                   : words.tooLargeWhy.arg(fit.needs.width())
                                         .arg(fit.needs.height())
                                         .arg(fit.offers.width())
                                         .arg(fit.offers.height()));
    }
}

tablescale::Placement TForm1::placement() const {
    const QScreen* here = screen();
    const QWindow* shown = windowHandle();
    return {m_geometry.windowSize(), shown ? shown->frameMargins() : QMargins(),
            here->availableGeometry().size(), tablescale::sizeInUse(), here->devicePixelRatio()};
}

// The session keeps the new size and starts the program again in place, as a Quit would end:
// the settings written, this game left for the new program to resume.
void TForm1::tableSizeChosen(int percent) {
    if (!m_session->chooseTableSize(percent))
        checkTableSize();
}

void TForm1::startOnScreen(const QString& gamePath) {
    auto start = [this, gamePath] {
        fitScreen(gamePath);
        tellSizeFallback();
        resumeAfterRestart(gamePath);
    };
    QWindow* shown = windowHandle();
    if (shown && !shown->isExposed())
        new FirstExposure(shown, start);
    else
        QTimer::singleShot(0, this, start);
}

// Only the screen tells whether the kept size fits, and it is known once the window is on it. A
// size too large starts the program again, once, at the largest that fits, for this run only:
// the player may come back to a larger screen. Nothing is written or counted before this.
void TForm1::fitScreen(const QString& gamePath) {
    const int inUse = tablescale::sizeInUse();
    if (inUse == 0 || tablescale::keptTooLarge() != 0)
        return;
    const int fitting = tablescale::largestFitting(placement());
    if (fitting >= inUse)
        return;
    if (const int error = tablescale::restartSmaller(fitting, gamePath))
        qWarning("vestorine: cannot start again at %d%%: %s", fitting, strerror(error));
}

void TForm1::tellSizeFallback() {
    const int kept = tablescale::keptTooLarge();
    if (kept == 0)
        return;
    const texts::TableSizeTexts words = texts::tableSize(m_session->language());
    auto* box = new QMessageBox(QMessageBox::Information, words.menu,
                                words.fellBack.arg(tablescale::sizeInUse()).arg(kept),
                                QMessageBox::Ok, this);
    box->button(QMessageBox::Ok)->setText(texts::errors(m_session->language()).ok);
    box->setObjectName(QStringLiteral("SizeFallbackBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // No loop of its own: the game is put back behind it. A screen reader reads it as it opens.
    box->open();
}
