#include "workbench/RunPreview.h"

#include <QtConcurrent/QtConcurrentRun>
#include <stdexcept>

namespace {

// Keeps the decisions of a dry run; one asked to stop raises from the next
// decision, which ends the run as an error (a dry run has nothing to undo).
class TPreviewListener : public IRunListener {
 public:
  explicit TPreviewListener(const std::atomic<bool>& stop) : stop_(stop) {}
  void Progress(const std::string&) override {}
  void CheckFailed(const TCheckFailure&) override {}
  void Finished() override { result.finished = true; }
  void Failed(const std::string&) override {}
  void File(const TFileReport& report) override {
    if (stop_) throw std::runtime_error("preview stopped");
    result.files.push_back(report);
  }

  TRunPreview::TResult result;

 private:
  const std::atomic<bool>& stop_;
};

}  // namespace

TRunPreview::TRunPreview(QObject* parent) : QObject(parent) {
  connect(&watcher_, &QFutureWatcher<TResult>::finished, this, [this] {
    working_ = false;
    emit done();
  });
}

TRunPreview::~TRunPreview() {
  watcher_.disconnect(this);
  if (stop_) *stop_ = true;
  watcher_.waitForFinished();
}

void TRunPreview::Start(const TRunSettings& settings) {
  settings_ = settings;
  working_ = true;
  TRunSettings dry = settings;
  dry.dryRun = true;
  dry.withDiffs = true;
  stop_ = std::make_shared<std::atomic<bool>>(false);
  watcher_.setFuture(QtConcurrent::run([dry = std::move(dry), stop = stop_] {
    TPreviewListener listener(*stop);
    TAutoCode(dry, listener).Execute();
    return std::move(listener.result);
  }));
}
