#!/usr/bin/env bash
# Builds the program and starts it. A sample cache database is placed beside the program
# when none is there; put your own BaiduYunCacheFileV0.db into build/bin to list yours.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target lindquay lindquay-tree lindquay-sample-db
if [ ! -e build/bin/BaiduYunCacheFileV0.db ]; then
    build/bin/lindquay-sample-db build/bin/BaiduYunCacheFileV0.db 2000
    echo "Placed a sample cache database: build/bin/BaiduYunCacheFileV0.db"
fi
exec build/bin/lindquay
