#pragma once
// The dry run behind the preview, on a worker thread so that the window stays
// responsive while a large project is decided file by file. done reaches the
// window's thread; the worker touches nothing but its own copy of the
// settings and the store, whose connection is safe to share between threads.

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <memory>
#include <vector>

#include "generator/AutoCode.h"

class TRunPreview : public QObject {
  Q_OBJECT

 public:
  // What the dry run decided; finished is false when it stopped at a check or
  // an error, which the run itself then meets and reports.
  struct TResult {
    bool finished = false;
    std::vector<TFileReport> files;
  };

  explicit TRunPreview(QObject* parent = nullptr);
  // Stops a dry run still working and waits for it; done is not emitted.
  ~TRunPreview() override;

  void Start(const TRunSettings& settings);
  // From Start until done.
  bool IsWorking() const { return working_; }
  // The settings of the last start, and after done what their dry run decided.
  const TRunSettings& Settings() const { return settings_; }
  TResult Result() const { return watcher_.result(); }

 signals:
  void done();

 private:
  QFutureWatcher<TResult> watcher_;
  std::shared_ptr<std::atomic<bool>> stop_;
  TRunSettings settings_;
  bool working_ = false;  // touched on the window's thread only
};
