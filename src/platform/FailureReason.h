#pragma once
// Why a file-system call failed, kept for its caller as errno is: where a call of this layer
// fails, it notes the cause as a short lower-case text ("permission denied", "a link stands
// here"); the engine takes it right after the call said no and keeps it beside the path in the
// run's results. One thread's causes never mix with another's.

#include <string>
#include <string_view>

namespace dirforge::platform {

/// errno as the short lower-case text the reports show ("no space left on the drive").
std::string ReasonOfError(int error);
/// The cause for an item that is neither a regular file nor a folder nor a link, by its mode:
/// "not a regular file or folder (FIFO)" (socket, character device, block device).
std::string SpecialFileReason(unsigned mode);
/// "refused character |", "refused device name CON"...; empty for a name the desktop takes.
std::string RefusedNameReason(std::string_view element);

/// Notes error (an errno) as the cause of the call failing now. folder, when given, is the
/// folder it failed in: a full drive (ENOSPC) is told apart there from one without free inodes,
/// and a name or path too long (ENAMETOOLONG) by the name's length.
void NoteError(int error, int folder = -1, std::string_view name = {});
/// Notes a cause of the platform's own (a refused name, a kind of file not copied).
void NoteReason(std::string reason);
/// Notes what stands at name in folder where a folder is to be made or entered: a link, a file
/// or a special file; errno when nothing can be asked of it.
void NoteInTheWay(int folder, const char* name);
/// Notes why the file name in folder could not be opened for reading (error): a link, a special
/// file, else error itself.
void NoteUnreadable(int error, int folder, const char* name);
/// The cause noted last on this thread, which is then forgotten; fallback when none was.
std::string TakeReason(const char* fallback);
/// Forgets the cause noted last (before a call whose cause is to be taken).
void ForgetReason();

} // namespace dirforge::platform
