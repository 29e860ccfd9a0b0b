#include "workbench/GenerationRun.h"

#include <QCoreApplication>

TGenerationRun::TGenerationRun(QObject* parent) : QObject(parent) {}

TGenerationRun::~TGenerationRun() {
  closing_ = true;
  // The worker may be waiting for the window to handle a blocking report: keep
  // delivering them (they are dropped now) until it has reported its end.
  while (working_) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  if (worker_.joinable()) worker_.join();
}

void TGenerationRun::Start(const TRunSettings& settings) {
  if (worker_.joinable()) worker_.join();  // the previous run has ended: it is at most returning
  working_ = true;
  worker_ = TAutoCode::Start(settings, *this);
}

void TGenerationRun::Progress(const std::string& line) { emit progress(QString::fromStdString(line)); }

void TGenerationRun::CheckFailed(const TCheckFailure& failure) {
  emit checkFailed(QString::fromStdString(failure.message));
  Ended();
}

void TGenerationRun::Finished() {
  emit finished();
  Ended();
}

void TGenerationRun::Failed(const std::string& error) {
  emit failed(QString::fromStdString(error));
  Ended();
}

void TGenerationRun::Ended() { working_ = false; }
