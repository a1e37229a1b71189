#pragma once
// The callbacks a program registered, each with its user pointer.

#include "platform/burnlib/FoxBurnerAbi.h"

namespace burnlib {

template <class Fn>
struct Registered {
  Fn fn = nullptr;
  void* user = nullptr;
};

struct Callbacks {
  Registered<foxabi::InfoTextCallback> infoText;
  std::int32_t infoLevel = 0;  // highest level reported
  Registered<foxabi::ProcessCallback> process;
  Registered<foxabi::EraseDoneCallback> eraseDone;
  Registered<foxabi::FinalizeCallback> finalize;
  Registered<foxabi::BurnDoneCallback> burnDone;
  Registered<foxabi::AddFileCallback> addFile;
  Registered<foxabi::CreateDirCallback> createDir;
  Registered<foxabi::RemoveFileCallback> removeFile;
  Registered<foxabi::AudioDecoderCallback> audioDecoder;
  Registered<foxabi::AudioDecodeDoneCallback> audioDecodeDone;
  Registered<foxabi::VideoScannerCallback> videoScanner;
  Registered<foxabi::VideoScanDoneCallback> videoScanDone;
  Registered<foxabi::StartVerifyCallback> startVerify;
  Registered<foxabi::VerifyFileCallback> verifyFile;
  Registered<foxabi::VerifyErrorCallback> verifyError;
  Registered<foxabi::VerifyDoneCallback> verifyDone;
};

}  // namespace burnlib
