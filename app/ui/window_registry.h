#pragma once
// The windows the program has open, found by their type. An opener asks for
// the open window of a type, or makes one and adds it; shutdown unloads the
// windows on its list. Modal windows count themselves here, with the window
// they disable, while they are shown: the registry alone enables and disables
// those windows, so a window is enabled exactly when no modal window over it
// is open (the main window knows from it too that it may not close).

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <typeindex>
#include <unordered_map>

namespace pelmora {

class WindowRegistry : public QObject {
    Q_OBJECT

public:
    // The open window of type W, or nullptr.
    template <class W> W *find() const
    {
        const auto it = windows_.find(std::type_index(typeid(W)));
        return it == windows_.end() ? nullptr : qobject_cast<W *>(it->second.data());
    }

    // Records `window` as the open window of its type (nullptr: none is open).
    template <class W> void add(W *window) { windows_[std::type_index(typeid(W))] = window; }
    template <class W> void remove(const W *window)
    {
        const auto it = windows_.find(std::type_index(typeid(W)));
        if (it != windows_.end() && it->second == window)
            windows_.erase(it);
    }

    // The open window of type W; `make()` makes it when none is open.
    template <class W, class Make> W &open(Make &&make)
    {
        if (W *w = find<W>())
            return *w;
        W *w = make();
        add(w);
        return *w;
    }

    // Closes and deletes the open window of type W; a window that is not open is left alone.
    template <class W> void unload()
    {
        if (W *w = find<W>()) {
            windows_.erase(std::type_index(typeid(W)));
            w->close();
            w->deleteLater();
        }
    }

    // A modal window shown over `owner`, which is disabled while it is open.
    void addBlocker(QWidget *window, QWidget *owner);
    // The modal window is gone; its owner is enabled when no other modal
    // window is open over it.
    void removeBlocker(const QWidget *window);
    // The window shown last of the modal windows, or nullptr.
    QWidget *blocker() const;
    // Enables `owner` when no modal window is open over it, else disables it:
    // what a handler calls where it once enabled the main window itself.
    void settle(QWidget &owner) const;

private:
    struct Blocker {
        QPointer<QWidget> window;
        QPointer<QWidget> owner;
    };
    bool blocks(const QWidget *owner) const;

    std::unordered_map<std::type_index, QPointer<QWidget>> windows_;
    QList<Blocker> blockers_;
};

} // namespace pelmora
