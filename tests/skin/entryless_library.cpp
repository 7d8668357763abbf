// A loadable library named "SkinH_EL.dll" that lacks SkinH_AttachRes.
extern "C" __attribute__((visibility("default"))) int SkinH_AttachResource() { return 0; }
