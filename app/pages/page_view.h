#pragma once
// The SCADA view of the main window: the page tab control with its 16 tabs in
// two rows of 8, one 800 x 480 canvas per page, the exit picture of each page,
// and the blink timer. The page editor works on these.

#include <QObject>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QLabel;
class QTimer;
class QToolButton;

namespace pelmora {

struct MainSurface;
struct ProjectModel;
class MainWindowPort;

// A tab control with 16 tabs in two rows of 8 above one page area. Selecting
// a tab from code does not run the owner's tab change by itself: the owner
// calls its handler explicitly, as it does for every change from code.
class PageTabControl : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTabs = 16;
    static constexpr int kTabsPerRow = 8;
    static constexpr int kTabHeight = 20;

    explicit PageTabControl(QWidget *parent);

    int Tab() const { return tab_; }
    void setTab(int tab);
    QString TabCaption(int tab) const;
    void setTabCaption(int tab, const QString &caption);
    // The caption of the current tab.
    QString Caption() const { return TabCaption(tab_); }
    void setCaption(const QString &caption) { setTabCaption(tab_, caption); }

    QToolButton *tabButton(int tab) const { return tabs_[static_cast<std::size_t>(tab)]; }
    // The widget shown for each tab (the canvas of its page).
    void setPage(int tab, QWidget *page);

signals:
    // The user chose another tab; the argument is the tab shown before.
    void tabClicked(int previousTab);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutTabs();
    std::array<QToolButton *, kTabs> tabs_{};
    std::array<QWidget *, kTabs> pages_{};
    std::array<QString, kTabs> captions_{};
    int tab_ = 0;
};

class PageView : public QObject {
    Q_OBJECT

public:
    static constexpr int kPages = 16;

    PageView(ProjectModel &m, MainWindowPort &main);
    ~PageView() override;

    PageTabControl *SCADA_SSTab;
    std::array<QLabel *, kPages> SCADA_Picture{};
    std::array<QLabel *, kPages> Exit_SCADA{};
    QTimer *Signal_Timer_Miganie_SCADA;

    // The tab change: the selected tab becomes the current page.
    void SCADA_SSTab_Click(int previousTab);
    // Making a tab current from code; runs the tab change like a click does.
    void selectTab(int tab);
    // Blink tick of the page preview: runs `blinkTick`, set by the owner of the
    // element controls (the page editor).
    void Signal_Timer_Miganie_SCADA_Timer();
    std::function<void()> blinkTick;

    // The tab control at (1, 1), 803 x 520, and the canvases of pages
    // 0 .. pageCount - 1 at (1, 41) inside it, 800 x 480.
    void placeView(int pageCount);
    // Whether the SCADA view is the one shown; the warning line of the pages
    // is only ever shown there.
    void setViewShown(bool shown) { viewShown_ = shown; }
    bool viewShown() const { return viewShown_; }

    // Run on every entry into the view, after the canvases are placed: the
    // page elements put page 0's level bars back on its canvas and give its
    // numeric-parameter elements their placeholder captions
    // (parameterEntryCaption). Set by the owner of the element controls.
    std::function<void()> enterPageZero;

signals:
    // A click on the exit picture of a page.
    void exitClicked(int page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProjectModel &m_;
    MainSurface &surface_;
    bool viewShown_ = false;
};

// The caption a numeric-parameter element of slot n shows on entering the
// view: n with digitCode + 2 digits, leading zeros (code 0 gives "05", code 4
// "000012"); nullopt for a code outside 0..4, which leaves the caption alone.
std::optional<QString> parameterEntryCaption(int slot, int digitCode);

} // namespace pelmora
