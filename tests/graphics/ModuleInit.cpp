void KestTestModuleInit() {}
