Sample program module of component QAV2006EXEC, release 1.
