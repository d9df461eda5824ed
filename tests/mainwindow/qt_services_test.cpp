// The Qt services: a message box wide enough for its title even with a short
// text; every dialog a top-level window transient for the window it belongs
// to and centred over it; the colour dialog starting at the colour given.

#include "ui/qt_services.h"
#include "ui/window_registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QLayout>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(QtMessageBox, AShortTextStillShowsTheWholeTitle)
{
    for (const QString &title : {QStringLiteral("Pelmora"), QStringLiteral("Конфігуратор Velkor 5.71")}) {
        QMessageBox box;
        box.setText(QStringLiteral("Ok"));
        box.setWindowTitle(title);
        box.setStandardButtons(QMessageBox::Ok);
        const int before = box.sizeHint().width();
        fitTitle(box);
        box.layout()->activate();
        EXPECT_GE(box.sizeHint().width(), titleWidth(title)) << title.toStdString();
        EXPECT_GE(box.sizeHint().width(), before);
        EXPECT_GT(titleWidth(title), box.fontMetrics().horizontalAdvance(title));
    }
}

// Answers the dialog of type D once it shows as the modal dialog.
template <class D> class WhenShown {
public:
    explicit WhenShown(std::function<void(D &)> answer) : answer_(std::move(answer))
    {
        poll_.setInterval(0);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (auto *d = qobject_cast<D *>(QApplication::activeModalWidget())) {
                poll_.stop();
                shown_ = true;
                answer_(*d);
            }
        });
        poll_.start();
    }
    bool shown() const { return shown_; }

private:
    std::function<void(D &)> answer_;
    QTimer poll_;
    bool shown_ = false;
};

// How a dialog stood when it showed.
struct Placement {
    QWidget *parent = nullptr;
    QWindow *transientParent = nullptr;
    QPoint centre;
};

Placement placementOf(QWidget &dialog)
{
    return {dialog.parentWidget(), dialog.windowHandle() ? dialog.windowHandle()->transientParent() : nullptr,
            dialog.frameGeometry().center()};
}

class QtServicesOwner : public ::testing::Test {
protected:
    QtServicesOwner()
    {
        main.setWindowTitle(QStringLiteral("main"));
        main.setGeometry(20, 20, 500, 400);
        modal.setWindowTitle(QStringLiteral("modal"));
        modal.setGeometry(380, 300, 300, 200);
        modeless.setWindowTitle(QStringLiteral("modeless"));
        modeless.setGeometry(60, 330, 260, 180);
        main.show();
        services.belongTo(main, windows);
    }
    ~QtServicesOwner() override { QApplication::setActiveWindow(nullptr); }

    // The message box shown now, answered with its button.
    Placement showMessage()
    {
        Placement shown;
        WhenShown<QMessageBox> answer([&shown](QMessageBox &box) {
            shown = placementOf(box);
            box.buttons().constFirst()->click();
        });
        EXPECT_EQ(services.show(QStringLiteral("Помилка порту!!!"), MsgIcon::None, MsgButtons::Ok, QString()),
                  MsgAnswer::Ok);
        EXPECT_TRUE(answer.shown());
        return shown;
    }

    QWidget main, modal, modeless;
    WindowRegistry windows;
    QtServices services;
};

// The box stands above the window it belongs to and is centred over it: the
// main window; the modal window open over the main window, also when a click
// on the disabled main window made it the active one; an active window that
// is not modal (a monitor).
TEST_F(QtServicesOwner, AMessageBoxStandsAboveAndOverTheWindowItBelongsTo)
{
    struct Case {
        const char *what;
        bool modalOpen;
        bool modelessOpen;
        QWidget *active;
        QWidget *owner;
    };
    const Case cases[] = {
        {"main window", false, false, &main, &main},
        {"no window active", false, false, nullptr, &main},
        {"modal window", true, false, &modal, &modal},
        {"click on the disabled main window", true, false, &main, &modal},
        {"monitor window", false, true, &modeless, &modeless},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.modalOpen) {
            modal.show();
            windows.addBlocker(&modal, &main);
            EXPECT_FALSE(main.isEnabled());
        }
        if (c.modelessOpen)
            modeless.show();
        QApplication::setActiveWindow(c.active);
        EXPECT_EQ(services.owner(), c.owner);

        const Placement shown = showMessage();
        EXPECT_EQ(shown.parent, nullptr); // a disabled parent would disable it
        EXPECT_EQ(shown.transientParent, c.owner->windowHandle());
        const QPoint off = shown.centre - c.owner->frameGeometry().center();
        EXPECT_LE(off.manhattanLength(), 4) << off.x() << "," << off.y();

        windows.removeBlocker(&modal);
        modal.hide();
        modeless.hide();
        EXPECT_TRUE(main.isEnabled());
    }
}

// A message over a message box that is still open (a timer's, say) stands
// above that box.
TEST_F(QtServicesOwner, AMessageOverAnOpenMessageBoxStandsAboveIt)
{
    QApplication::setActiveWindow(&main);
    bool shown = false;
    WhenShown<QMessageBox> answer([&](QMessageBox &box) {
        shown = true;
        EXPECT_EQ(services.owner(), &box);
        const Placement second = showMessage();
        EXPECT_EQ(second.transientParent, box.windowHandle());
        box.buttons().constFirst()->click();
    });
    services.show(QStringLiteral("Перша"), MsgIcon::None, MsgButtons::Ok, QString());
    EXPECT_TRUE(shown);
}

// The colour dialog starts at the colour being changed, stands above its
// window, and Ok without a change gives that colour back; Cancel gives none.
TEST_F(QtServicesOwner, TheColourDialogStartsAtTheColourGiven)
{
    modal.show();
    windows.addBlocker(&modal, &main);
    QApplication::setActiveWindow(&modal);
    const QColor start(0x12, 0x34, 0x56);
    for (const bool ok : {true, false}) {
        QColor shownAt;
        Placement shown;
        WhenShown<QColorDialog> answer([&](QColorDialog &d) {
            shownAt = d.currentColor();
            shown = placementOf(d);
            ok ? d.accept() : d.reject();
        });
        const std::optional<QColor> chosen = static_cast<ColorDialogService &>(services).choose(start);
        EXPECT_TRUE(answer.shown());
        EXPECT_EQ(shownAt, start);
        EXPECT_EQ(shown.transientParent, modal.windowHandle());
        EXPECT_EQ(chosen, ok ? std::optional(start) : std::nullopt);
    }
    windows.removeBlocker(&modal);
}

} // namespace
} // namespace pelmora
