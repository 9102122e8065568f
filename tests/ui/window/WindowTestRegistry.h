#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace zenoku::test {

/// The test classes of the window test program; each file registers its own.
inline std::vector<std::function<std::unique_ptr<QObject>()>>& windowTestClasses() {
    static std::vector<std::function<std::unique_ptr<QObject>()>> classes;
    return classes;
}

template <class T> struct RegisterWindowTest {
    RegisterWindowTest() {
        windowTestClasses().push_back([] { return std::make_unique<T>(); });
    }
};

} // namespace zenoku::test

#define ZENOKU_WINDOW_TEST(Class)                                                                  \
    static const zenoku::test::RegisterWindowTest<Class> registered##Class
