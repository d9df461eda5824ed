#pragma once
// The user mechanism's phase editor "Механізм": eight phase pictures (GIF
// files, a turned gear while none is chosen), a preview that cycles the first
// phases ten times a second, the number of phases to preview, a scroll bar
// that shifts the row of pictures, and "GIF у Orvo", which packs phase 0 and
// writes it into the controller. Opened from the mechanism dialog, which it
// disables while open; Ok hands phase 0's picture back to it.
//
// The phase files are recorded project-wide as a backslash and the bare file
// name and are loaded from the current folder. A choice is recorded at once:
// Cancel does not undo it.

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;

namespace pelmora {

struct ProjectModel;
class MainWindowPort;
class WindowFrame;
class WindowRegistry;

extern const char16_t *const kNotAGifPicture; // "Неправильный тип файлу"

class MECHANIZMf : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPhases = 8;
    static constexpr int kPreview = 8; // the index of the preview picture
    static constexpr int kScrollMaximum = 32;

    // What Ok hands to the mechanism dialog: phase 0's picture, at its own size.
    using HandBack = std::function<void(const QPixmap &phase0)>;

    // `owner` is the mechanism dialog: a modal window above it, which stays
    // disabled until this window closes. It deletes itself when it closes.
    MECHANIZMf(ProjectModel &m, MainWindowPort &main, QWidget &owner, HandBack handBack);
    ~MECHANIZMf() override;

    // Opens the phase editor over `owner` (loaded and shown), or brings the
    // open one to the front.
    static MECHANIZMf &open(ProjectModel &m, MainWindowPort &main, QWidget &owner, HandBack handBack);

    std::array<QLabel *, 9> Pictur_Mechanizm{}; // phases 0..7, then the preview
    std::array<QLabel *, 9> Label1{};           // "Фаза 0".."Фаза 7", "Механізм"
    QComboBox *Combo1;                          // phases previewed: "1".."8"
    QLabel *Label2;                             // "Фази"
    QScrollBar *HScroll1;                       // 0..32
    QLabel *Label3;                             // the packed size
    QPushButton *ZIP__GIF;                      // "GIF у Orvo"
    QPushButton *Ok_Vent;
    QPushButton *Cancel_Vent;   // "Відміна"
    QProgressBar *ProgressBar1; // shown while phase 0 is packed
    QTimer *Timer1;             // the preview, 100 ms

    // Lays out the row, loads the recorded phase files and places the preview.
    void Form_Load();
    // Lets the engineer choose a GIF file for picture Index (0..7, or 8 for the preview).
    void Pictur_Mechanizm_Click(int Index);
    // Places the row for the scroll bar's value.
    void HScroll1_Change();
    // One preview step.
    void Timer1_Timer();
    // Packs phase 0 and starts its upload.
    void ZIP__GIF_Click();
    void Ok_Vent_Click();
    void Cancel_Vent_Click(int Index);

    // The picture phase i (0..7) shows: its file's, or the placeholder.
    const QPixmap &phasePicture(int i) const { return phases_[static_cast<std::size_t>(i)]; }
    // The gear placeholder of phase i: 40 x 40, turned a little further in each of phases 1 to 3.
    static QPixmap placeholder(int phase);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPicture(int index, const QPixmap &picture);

    ProjectModel &m_;
    MainWindowPort &main_;
    WindowFrame *frame_;
    HandBack handBack_;
    std::array<QPixmap, kPhases> phases_;
    QPointer<WindowRegistry> registry_; // the registry may go first at shutdown
};

} // namespace pelmora
