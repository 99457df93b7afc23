#!/usr/bin/python3
"""A FUSE passthrough that compares names without regard to letter case, as
FAT, exFAT and SMB shares do: casefold_fs.py BACKING MOUNTPOINT. Like a FAT
stick mounted for its user, it shows every folder and file with the mount's
mode (0755) and refuses to change it (EPERM). A name is
looked up in its folder as it is spelled, else by any entry that differs
from it in case only; a new entry keeps the spelling it was created with.
Runs in the foreground until unmounted (fusermount3 -u MOUNTPOINT)."""
import errno
import os
import stat
import sys

try:
    from fusepy import FUSE, FuseOSError, Operations  # Debian's python3-fusepy
except ImportError:
    from fuse import FUSE, FuseOSError, Operations


class CaseFolding(Operations):
    def __init__(self, backing):
        self.backing = backing

    def _real(self, path):
        real = self.backing
        for part in [p for p in path.split('/') if p]:
            candidate = os.path.join(real, part)
            if not os.path.lexists(candidate) and os.path.isdir(real):
                folded = part.casefold()
                for entry in os.listdir(real):
                    if entry.casefold() == folded:
                        candidate = os.path.join(real, entry)
                        break
            real = candidate
        return real

    def _call(self, function, *args):
        try:
            return function(*args)
        except OSError as error:
            raise FuseOSError(error.errno or errno.EIO)

    def getattr(self, path, fh=None):
        st = self._call(os.lstat, self._real(path))
        keys = ('st_nlink', 'st_uid', 'st_gid', 'st_size', 'st_atime', 'st_mtime', 'st_ctime', 'st_ino')
        attributes = {key: getattr(st, key) for key in keys}
        attributes['st_mode'] = stat.S_IFMT(st.st_mode) | 0o755
        return attributes

    def readdir(self, path, fh):
        return ['.', '..'] + self._call(os.listdir, self._real(path))

    def mkdir(self, path, mode):
        return self._call(os.mkdir, self._real(path), mode)

    def rmdir(self, path):
        return self._call(os.rmdir, self._real(path))

    def unlink(self, path):
        return self._call(os.unlink, self._real(path))

    def link(self, target, source):
        return self._call(os.link, self._real(source), self._real(target))

    def rename(self, old, new):
        return self._call(os.rename, self._real(old), self._real(new))

    def chmod(self, path, mode):
        raise FuseOSError(errno.EPERM)

    def utimens(self, path, times=None):
        return self._call(lambda real: os.utime(real, times, follow_symlinks=False), self._real(path))

    def truncate(self, path, length, fh=None):
        return self._call(os.truncate, self._real(path), length)

    def open(self, path, flags):
        return self._call(os.open, self._real(path), flags)

    def create(self, path, mode, fi=None):
        return self._call(os.open, self._real(path), os.O_WRONLY | os.O_CREAT | os.O_EXCL, mode)

    def read(self, path, size, offset, fh):
        return self._call(os.pread, fh, size, offset)

    def write(self, path, data, offset, fh):
        return self._call(os.pwrite, fh, data, offset)

    def release(self, path, fh):
        return self._call(os.close, fh)



if __name__ == '__main__':
    FUSE(CaseFolding(os.path.abspath(sys.argv[1])), sys.argv[2], foreground=True, nothreads=True)
