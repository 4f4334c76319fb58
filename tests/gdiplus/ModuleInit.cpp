// The drawing modules start themselves; nothing more to set up here.
void KestTestModuleInit() {}
