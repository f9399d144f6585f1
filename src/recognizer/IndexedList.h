#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

// Positional containers of the drawing and recognition code. An index outside
// the list ends the program with status -8: callers are expected to stay in range.
[[noreturn]] inline void listIndexOutOfRange() {
    std::exit(-8);
}

template <typename T> class CIndexedList {
public:
    void append(T element) { m_items.push_back(std::move(element)); }
    int count() const { return static_cast<int>(m_items.size()); }
    bool empty() const { return m_items.empty(); }

    T& at(int i) {
        checkIndex(i);
        return m_items[static_cast<std::size_t>(i)];
    }
    const T& at(int i) const {
        checkIndex(i);
        return m_items[static_cast<std::size_t>(i)];
    }

    // Removes the first element that satisfies `pred`; false when none does.
    template <typename Pred> bool removeFirstIf(Pred pred) {
        const auto it = std::find_if(m_items.begin(), m_items.end(), pred);
        if (it == m_items.end())
            return false;
        m_items.erase(it);
        return true;
    }

    T removeLast() {
        checkIndex(count() - 1);
        T last = std::move(m_items.back());
        m_items.pop_back();
        return last;
    }

    void reserve(std::size_t n) { m_items.reserve(n); }
    void clear() { m_items.clear(); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    void checkIndex(int i) const {
        if (i < 0 || i >= count())
            listIndexOutOfRange();
    }

    std::vector<T> m_items;
};

// Elements in ascending key order. Among equal keys (when accepted) the element
// inserted last comes first.
template <typename T> class CSortedList {
public:
    explicit CSortedList(bool acceptsEqualKeys) : m_acceptsEqualKeys(acceptsEqualKeys) {}

    // Returns the element already stored under `key` when equal keys are refused,
    // nullptr when the element was inserted.
    T* insert(T element, double key) {
        auto position = m_nodes.end();
        if (!std::isnan(key))
            position = std::partition_point(m_nodes.begin(), m_nodes.end(),
                                            [key](const Node& n) { return n.key < key; });
        if (!m_acceptsEqualKeys && position != m_nodes.end() && position->key == key)
            return &position->element;
        m_nodes.insert(position, Node{key, std::move(element)});
        return nullptr;
    }

    int count() const { return static_cast<int>(m_nodes.size()); }
    bool empty() const { return m_nodes.empty(); }
    T& at(int i) { return node(i).element; }
    const T& at(int i) const { return node(i).element; }
    double keyAt(int i) const { return node(i).key; }

private:
    struct Node {
        double key;
        T element;
    };

    Node& node(int i) {
        if (i < 0 || i >= count())
            listIndexOutOfRange();
        return m_nodes[static_cast<std::size_t>(i)];
    }
    const Node& node(int i) const { return const_cast<CSortedList*>(this)->node(i); }

    std::vector<Node> m_nodes;
    bool m_acceptsEqualKeys;
};
