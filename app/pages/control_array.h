#pragma once
// A control array of the page canvases: element 0 is the kind's template,
// placed at start-up; a further element i is loaded as a hidden copy of the
// template, may be unloaded, and is shown by making it visible. Loading an
// element that is already loaded fails and leaves the loaded one unchanged;
// the template cannot be unloaded.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace pelmora::pages {

// Widgets held by a control array: the array deletes them, unless their
// container went first.
template <typename T> struct WidgetItems {
    using Handle = QPointer<T>;
    static T *get(const Handle &h) { return h.data(); }
    static void destroy(Handle &h)
    {
        delete h.data();
        h.clear();
    }
};

template <typename T, typename Items = WidgetItems<T>> class ControlArray {
public:
    using Handle = typename Items::Handle;
    // Makes the copy of the template that element i becomes.
    using Copier = std::function<Handle(T &templ)>;

    static constexpr int kMaxIndex = 32767;

    explicit ControlArray(Copier copier) : copier_(std::move(copier)) {}
    ~ControlArray()
    {
        for (auto &[i, h] : items_)
            Items::destroy(h);
    }
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;

    // Element 0, placed once.
    void setTemplate(Handle templ)
    {
        auto it = items_.find(0);
        if (it != items_.end())
            Items::destroy(it->second);
        items_[0] = std::move(templ);
    }

    // Element i, or null when it is not loaded.
    T *operator()(int i) const
    {
        auto it = items_.find(i);
        return it == items_.end() ? nullptr : Items::get(it->second);
    }
    bool isLoaded(int i) const { return (*this)(i) != nullptr; }

    // Loads element i as a copy of the template. False when it is loaded
    // already (left unchanged), when i is out of range, or when there is no
    // template or its copy cannot be made.
    bool load(int i)
    {
        if (i < 0 || i > kMaxIndex || isLoaded(i))
            return false;
        T *templ = (*this)(0);
        if (templ == nullptr)
            return false;
        Handle h = copier_(*templ);
        if (Items::get(h) == nullptr)
            return false;
        items_[i] = std::move(h);
        return true;
    }

    // Unloads element i; false for the template and for an element not loaded.
    bool unload(int i)
    {
        if (i == 0)
            return false;
        auto it = items_.find(i);
        if (it == items_.end())
            return false;
        const bool alive = Items::get(it->second) != nullptr;
        Items::destroy(it->second);
        items_.erase(it);
        return alive;
    }

    // The index of a loaded element, or -1.
    int indexOf(const T *item) const
    {
        for (const auto &[i, h] : items_)
            if (item != nullptr && Items::get(h) == item)
                return i;
        return -1;
    }

    // The loaded elements' indexes, the template's included, in order.
    std::vector<int> indexes() const
    {
        std::vector<int> out;
        for (const auto &[i, h] : items_)
            if (Items::get(h) != nullptr)
                out.push_back(i);
        return out;
    }

private:
    Copier copier_;
    std::map<int, Handle> items_;
};

} // namespace pelmora::pages
