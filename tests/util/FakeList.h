#pragma once

#include "util/modListUtil.h"

#include <QStringList>

// A list control that counts the selection events it raises.
struct FakeList final : ListControl {
    explicit FakeList(QStringList entries = {}, bool enabled = true)
        : entries(std::move(entries)), enabled(enabled) {}

    bool Enabled() const override { return enabled; }
    int ListCount() const override { return static_cast<int>(entries.size()); }
    QString List(int i) const override { return entries.at(i); }
    int ListIndex() const override { return index; }
    void SetListIndex(int i) override {
        index = i;
        ++events;
    }
    void Clear() override {
        entries.clear();
        index = -1;
    }
    void AddItem(const QString& text) override { entries.append(text); }

    QStringList entries;
    bool enabled;
    int index = -1, events = 0;
};
