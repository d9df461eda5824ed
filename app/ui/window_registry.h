#pragma once
// The windows the program has open, found by their type. An opener asks for
// the open window of a type, or makes one and adds it; shutdown unloads the
// windows on its list. Windows that disable the main window count themselves
// here while they are shown, so the main window knows it may not close.

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

    void addBlocker(QWidget *window);
    void removeBlocker(const QWidget *window);
    // The window shown last of those that disable the main window, or nullptr.
    QWidget *blocker() const;

private:
    std::unordered_map<std::type_index, QPointer<QWidget>> windows_;
    QList<QPointer<QWidget>> blockers_;
};

} // namespace pelmora
