#pragma once
// Transactions of the calling thread over one or more open record files.
//   LOGOUT  rt::logout(2, {&MAIL})  waits at most the timeout for other stations' writes,
//           then every write of those files belongs to the transaction (56 when one is active)
//   COMMIT  rt::commit()            makes the writes permanent
//   ROLLBACK rt::rollback()         undoes them; harmless without a transaction
// The files commit one after the other: a transaction over several files is atomic per file.

#include <initializer_list>

namespace rt {

class RecordFile;

int logout(int seconds, std::initializer_list<RecordFile*> files);
int commit();
int rollback();
bool logoutActive();

namespace detail {
class FileInstance;
void forgetLogout(FileInstance* file);  // the file closes or goes away
}  // namespace detail

}  // namespace rt
