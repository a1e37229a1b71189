// The library's callbacks, turned into the component's events. Callbacks
// may come from the library's worker thread; their texts are copied at
// once and the event runs on the GUI thread.

#include <cstring>

#include "burner/FoxBurnerSDKCore.h"
#include "burner/FoxBurnerSDKMain.h"
#include "platform/os/MainThread.h"

namespace {

std::string Str(const char* text) { return text ? text : ""; }

TFoxBurnerSDK* Sdk(void* user) { return static_cast<TFoxBurnerSDK*>(user); }

}  // namespace

void TFoxBurnerSDK::Deliver(std::function<void(TFoxBurnerSDK*)> fire) {
  if (IsMainThread()) {
    fire(this);
    return;
  }
  alive_.Post([this, fire = std::move(fire)] { fire(this); });
}

// The C callbacks; each receives the component as its last argument.
struct FoxBurnerCallbacks {
  static void InfoText(const char* text, std::int32_t level, void* user) {
    Sdk(user)->Deliver([text = Str(text), level](TFoxBurnerSDK* sdk) {
      if (level >= 0 && level <= sdk->InfoTextLevel() && sdk->OnInfoText)
        sdk->OnInfoText(sdk, text, static_cast<TInfoTextLevel>(level));
    });
  }
  static void Process(float percent, float buffer, float cache, double written, double size, void* user) {
    Sdk(user)->Deliver([=](TFoxBurnerSDK* sdk) {
      if (sdk->OnProcess) sdk->OnProcess(sdk, percent, buffer, cache, written, size);
    });
  }
  static void EraseDone(const char* error, void* user) {
    Sdk(user)->Deliver([error = Str(error)](TFoxBurnerSDK* sdk) {
      if (sdk->OnEraseDone) sdk->OnEraseDone(sdk, error);
    });
  }
  static void Finalize(void* user) {
    Sdk(user)->Deliver([](TFoxBurnerSDK* sdk) {
      if (sdk->OnFinalize) sdk->OnFinalize(sdk);
    });
  }
  static void BurnDone(const char* error, void* user) {
    Sdk(user)->Deliver([error = Str(error)](TFoxBurnerSDK* sdk) {
      if (sdk->OnBurnDone) sdk->OnBurnDone(sdk, error);
    });
  }
  static void AddFile(const char* path, const char* joliet, const char* iso, const char* udf, double time,
                      double size, void* user) {
    Sdk(user)->Deliver([p = Str(path), j = Str(joliet), i = Str(iso), u = Str(udf), time, size](TFoxBurnerSDK* sdk) {
      if (sdk->OnAddFile) sdk->OnAddFile(sdk, p, j, i, u, time, size);
    });
  }
  static void CreateDir(const char* name, const char* joliet, const char* iso, const char* udf, void* user) {
    Sdk(user)->Deliver([n = Str(name), j = Str(joliet), i = Str(iso), u = Str(udf)](TFoxBurnerSDK* sdk) {
      if (sdk->OnCreateDir) sdk->OnCreateDir(sdk, n, j, i, u);
    });
  }
  static void RemoveFile(const char* path, const char* destination, const char* file, void* user) {
    Sdk(user)->Deliver([p = Str(path), d = Str(destination), f = Str(file)](TFoxBurnerSDK* sdk) {
      if (sdk->OnRemoveFile) sdk->OnRemoveFile(sdk, p, d, f);
    });
  }
  static void AudioDecoder(float percent, const char* file, std::uint8_t format, void* user) {
    Sdk(user)->Deliver([percent, f = Str(file), format](TFoxBurnerSDK* sdk) {
      if (sdk->OnAudioDecoder) sdk->OnAudioDecoder(sdk, percent, f, static_cast<TAudioFormat>(format));
    });
  }
  static void AudioDecodeDone(const char* file, const char* error, std::int32_t code, void* user) {
    Sdk(user)->Deliver([f = Str(file), e = Str(error), code](TFoxBurnerSDK* sdk) {
      if (sdk->OnAudioDecodeDone) sdk->OnAudioDecodeDone(sdk, f, e, code);
    });
  }
  static void VideoScanner(float percent, const char* file, void* user) {
    Sdk(user)->Deliver([percent, f = Str(file)](TFoxBurnerSDK* sdk) {
      if (sdk->OnVideoScanner) sdk->OnVideoScanner(sdk, percent, f);
    });
  }
  static void VideoScanDone(const char* file, const char* error, std::int32_t code, std::uint8_t flag,
                            std::int32_t v1, std::int32_t v2, std::int32_t v3, std::int32_t v4, std::int32_t v5,
                            std::int32_t v6, std::int32_t, void* user) {
    TVideoFormat format;
    format.Flag = flag == 1;
    const std::int32_t values[6] = {v1, v2, v3, v4, v5, v6};
    std::memcpy(format.Values, values, sizeof values);
    Sdk(user)->Deliver([f = Str(file), e = Str(error), code, format](TFoxBurnerSDK* sdk) {
      TVideoFormat scratch = format;  // what the handler writes goes nowhere
      if (sdk->OnVideoScanDone) sdk->OnVideoScanDone(sdk, f, e, code, scratch);
    });
  }
  static void StartVerify(void* user) {
    Sdk(user)->Deliver([](TFoxBurnerSDK* sdk) {
      if (sdk->OnStartVerify) sdk->OnStartVerify(sdk);
    });
  }
  static void VerifyFile(const char* file, void* user) {
    Sdk(user)->Deliver([f = Str(file)](TFoxBurnerSDK* sdk) {
      if (sdk->OnVerifyFile) sdk->OnVerifyFile(sdk, f);
    });
  }
  static void VerifyError(const char* file, const char* error, void* user) {
    Sdk(user)->Deliver([f = Str(file), e = Str(error)](TFoxBurnerSDK* sdk) {
      if (sdk->OnVerifyError) sdk->OnVerifyError(sdk, f, e);
    });
  }
  static void VerifyDone(std::int32_t errors, void* user) {
    Sdk(user)->Deliver([errors](TFoxBurnerSDK* sdk) {
      if (sdk->OnVerifyDone) sdk->OnVerifyDone(sdk, errors);
    });
  }
};

void TFoxBurnerSDK::RegisterCallbacks() {
  using C = FoxBurnerCallbacks;
  auto& dll = FoxBurnerDll;
  dll.SetInfoTextEventCallback(C::InfoText, ilHighDebug, this);
  dll.SetProcessEventCallback(C::Process, this);
  dll.SetEraseDoneEventCallback(C::EraseDone, this);
  dll.SetFinalizeEventCallback(C::Finalize, this);
  dll.SetBurnDoneEventCallback(C::BurnDone, this);
  dll.SetAddFileEventCallback(C::AddFile, this);
  dll.SetCreateDirEventCallback(C::CreateDir, this);
  dll.SetRemoveFileEventCallback(C::RemoveFile, this);
  dll.SetAudioDecoderEventCallback(C::AudioDecoder, this);
  dll.SetAudioDecodeDoneEventCallback(C::AudioDecodeDone, this);
  dll.SetVideoScannerEventCallback(C::VideoScanner, this);
  dll.SetVideoScanDoneEventCallback(C::VideoScanDone, this);
  dll.SetStartVerifyEventCallback(C::StartVerify, this);
  dll.SetVerifyFileEventCallback(C::VerifyFile, this);
  dll.SetVerifyErrorEventCallback(C::VerifyError, this);
  dll.SetVerifyDoneEventCallback(C::VerifyDone, this);
}
