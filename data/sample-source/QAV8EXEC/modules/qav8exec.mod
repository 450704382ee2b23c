Sample program module of component QAV8EXEC, release 1.
