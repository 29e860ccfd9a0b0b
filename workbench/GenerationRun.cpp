#include "workbench/GenerationRun.h"

#include <QCoreApplication>

TGenerationRun::TGenerationRun(QObject* parent) : QObject(parent) {}

TGenerationRun::~TGenerationRun() {
  closing_ = true;
  // The worker may be waiting for its last report to be handled: keep
  // handling (and dropping) reports until it has been.
  while (working_) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  if (worker_.joinable()) worker_.join();
}

void TGenerationRun::Start(const TRunSettings& settings) {
  if (worker_.joinable()) worker_.join();  // its last report is handled: it is at most returning
  working_ = true;
  worker_ = TAutoCode::Start(settings, *this);
}

void TGenerationRun::Progress(const std::string& line) {
  QMetaObject::invokeMethod(
      this,
      [this, text = QString::fromStdString(line)] {
        if (!closing_) emit progress(text);
      },
      Qt::QueuedConnection);
}

void TGenerationRun::CheckFailed(const TCheckFailure& failure) {
  const QString message = QString::fromStdString(failure.message);
  EndWith([&] { emit checkFailed(message); });
}

void TGenerationRun::Finished() {
  EndWith([&] { emit finished(); });
}

void TGenerationRun::Failed(const std::string& error) {
  const QString text = QString::fromStdString(error);
  EndWith([&] { emit failed(text); });
}

// Queued behind every progress line, so the window sees them all first.
void TGenerationRun::EndWith(const std::function<void()>& report) {
  QMetaObject::invokeMethod(
      this,
      [&] {
        if (!closing_) report();
        working_ = false;
      },
      Qt::BlockingQueuedConnection);
}
