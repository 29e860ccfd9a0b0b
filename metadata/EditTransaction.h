#pragma once
// The transaction of one edit (implemented beside the connection, in DbHelper.cpp).

#include <functional>

// Runs body inside the caller's transaction when one is open (a fault then
// undoes all of the caller's), else as TDbHelper::InTransaction: for a body
// that raises before it writes, or whose writes are each all-or-nothing, where
// a savepoint of its own would only cost time.
void InEditTransaction(const std::function<void()>& body);
