#pragma once

// A data-driven test's columns named once: added and fetched as lists.
#include <QtTest>

#include <array>
#include <tuple>
#include <utility>

// Adds the test's data columns, of these types under these names, in order.
template <typename... T> void columns(const std::array<const char *, sizeof...(T)> &names)
{
    size_t k = 0;
    (QTest::addColumn<T>(names[k++]), ...);
}

// The current row's values of these columns, in order.
template <typename... T> std::tuple<T...> fetch(const std::array<const char *, sizeof...(T)> &names)
{
    return [&]<size_t... I>(std::index_sequence<I...>)
    {
        return std::tuple<T...>{*static_cast<T *>(QTest::qData(names[I], qMetaTypeId<T>()))...};
    }
    (std::index_sequence_for<T...>());
}
