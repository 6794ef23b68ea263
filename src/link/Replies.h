#pragma once

#include <QtGlobal>
#include <functional>

class Prompts;
class TRegisterLink;

// What a download read brought.
enum RecvResult {
  RecvBadChecksum = 0,  // wrong checksum; nothing acknowledged
  RecvMore = 1,         // a record in ReceiveBuffer, AckNext sent
  RecvLast = 2,         // a record in ReceiveBuffer, AckLast or AckAbort sent
  RecvEnd = 3,          // no record; the reason was shown
};

// What the answer to a command said.
enum ReplyResult {
  ReplyOk = 0,
  ReplyBadFrame = 1,
  ReplyBadSequence = 2,
  ReplyDone = 3,
  ReplyFailed = 4,
  ReplyError = 5,  // error code at ReceiveBuffer[8]
  ReplyWait = 6,
  ReplyCancelled = 8,
};

inline constexpr int kErrorCodeAt = 8;
inline constexpr int kBusyPollMs = 200;

// Reads one data frame of length bytes and acknowledges it. With shortest
// below length, frames of any length from shortest to length are taken by the
// length they declare (the goods table comes as 90 or 91 bytes); frameLength
// then receives the length used.
RecvResult ReceiveRecord(TRegisterLink& link, int length, int shortest = 0,
                         int* frameLength = nullptr);
ReplyResult ReadReply(TRegisterLink& link);
ReplyResult ReadReportReply(TRegisterLink& link);
int SendAck(TRegisterLink& link, quint8 status);
// 0 or 3: the register acknowledged with that status; 1: the user stopped;
// 2: anything else.
int AskPaperOut(TRegisterLink& link);
// 1 when the register reports completion, 0 when it stops answering.
int WaitWhileBusy(TRegisterLink& link);
void ShowRegisterError(Prompts& prompts, int code);

// Steps of a table download after its request: reads records until the last
// one, the user's abort or the first failure (a bad checksum is answered with
// AckRepeat and ends it). take gets each good frame and its length; between
// runs after each acknowledged record that is not the last, so a window can
// process its events. Returns the number of records taken.
struct DownloadOutcome {
  int records = 0;
  RecvResult last = RecvEnd;
};
DownloadOutcome ReadRecords(TRegisterLink& link, int length, int shortest,
                            const std::function<void(const quint8* frame, int length)>& take,
                            const std::function<void()>& between = {});
