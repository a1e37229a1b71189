// Entry points: registering the program's callbacks.

#include "platform/burnlib/EntryDeclarations.h"

using namespace burnlib;

namespace {

template <class Fn>
std::int32_t Register(Registered<Fn> Callbacks::*slot, Fn fn, void* user) {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.callbackMutex);
  s.callbacks.*slot = {fn, user};
  return foxabi::kOk;
}

}  // namespace

FOXAPI std::int32_t SetInfoTextEventCallback(foxabi::InfoTextCallback fn, std::int32_t level, void* user) {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.callbackMutex);
  s.callbacks.infoText = {fn, user};
  s.callbacks.infoLevel = level;
  return foxabi::kOk;
}

#define FOX_REGISTER(Entry, Type, member) \
  FOXAPI std::int32_t Entry(foxabi::Type fn, void* user) { return Register(&Callbacks::member, fn, user); }

FOX_REGISTER(SetProcessEventCallback, ProcessCallback, process)
FOX_REGISTER(SetEraseDoneEventCallback, EraseDoneCallback, eraseDone)
FOX_REGISTER(SetFinalizeEventCallback, FinalizeCallback, finalize)
FOX_REGISTER(SetBurnDoneEventCallback, BurnDoneCallback, burnDone)
FOX_REGISTER(SetAddFileEventCallback, AddFileCallback, addFile)
FOX_REGISTER(SetCreateDirEventCallback, CreateDirCallback, createDir)
FOX_REGISTER(SetRemoveFileEventCallback, RemoveFileCallback, removeFile)
FOX_REGISTER(SetAudioDecoderEventCallback, AudioDecoderCallback, audioDecoder)
FOX_REGISTER(SetAudioDecodeDoneEventCallback, AudioDecodeDoneCallback, audioDecodeDone)
FOX_REGISTER(SetVideoScannerEventCallback, VideoScannerCallback, videoScanner)
FOX_REGISTER(SetVideoScanDoneEventCallback, VideoScanDoneCallback, videoScanDone)
FOX_REGISTER(SetStartVerifyEventCallback, StartVerifyCallback, startVerify)
FOX_REGISTER(SetVerifyFileEventCallback, VerifyFileCallback, verifyFile)
FOX_REGISTER(SetVerifyErrorEventCallback, VerifyErrorCallback, verifyError)
FOX_REGISTER(SetVerifyDoneEventCallback, VerifyDoneCallback, verifyDone)

#undef FOX_REGISTER

FOXAPI std::int32_t ResetCallbacks() {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.callbackMutex);
  s.callbacks = Callbacks{};
  return foxabi::kOk;
}
