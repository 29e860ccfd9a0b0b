#pragma once
// Each test class registers itself under a name; main runs one or all.

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>

using TTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::map<QString, TTestFactory>& TestRegistry() {
  static std::map<QString, TTestFactory> registry;
  return registry;
}

template <typename Test>
struct TRegisterTest {
  explicit TRegisterTest(const char* name) { TestRegistry()[name] = [] { return std::make_unique<Test>(); }; }
};
