# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Sourced: $libfaketime, the library that sets a process's clock (FAKETIME=... LD_PRELOAD=...).
# Tests preload it themselves rather than through the faketime wrapper: the wrapper keeps a
# semaphore named after its process number that outlives a killed run, and a later wrapper
# that gets the same number refuses to start ("sem_open: File exists").
libfaketime=$(dpkg -L libfaketime | grep -m1 '/libfaketimeMT\.so\.1$')
